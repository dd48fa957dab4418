// Resource ids of the program, shared by toolbox.rc and the window designs.
// Plain #defines: the resource compiler reads this file too.
#pragma once

#define TOOLBOX_ICON 1

// PNG and JPEG images (RCDATA) of the main window, made by tools/make_artwork.py.
#define TOOLBOX_IMAGE_BACKGROUND 101         /* 850 x 489: sidebar, logo, work area */
#define TOOLBOX_IMAGE_SIDEBAR_TEXTURE 102    /* 140 x 174 */
#define TOOLBOX_IMAGE_NAVIGATION_BAR 103     /* 140 x 40 */
#define TOOLBOX_IMAGE_MINIMISE 104           /* 20 x 20 */
#define TOOLBOX_IMAGE_MINIMISE_HOT 105
#define TOOLBOX_IMAGE_CLOSE 106              /* 20 x 20 */
#define TOOLBOX_IMAGE_CLOSE_HOT 107
#define TOOLBOX_IMAGE_SEARCH_BUTTON 108      /* 55 x 30 */
#define TOOLBOX_IMAGE_SEARCH_BUTTON_HOT 109
#define TOOLBOX_IMAGE_SEARCH_FRAME 110       /* 232 x 30 */
#define TOOLBOX_IMAGE_FACE 111               /* 32 x 32 JPEG */
