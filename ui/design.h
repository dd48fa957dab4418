// A window design: the window's frame and one row per control, read by the
// builder (ui/builder.h). Designs are constant tables in the program, so the
// look of a window is data, not code.
//
// Rows are created in table order. A control's parent is named by an earlier
// row (or is the window itself), so the table reads from the outside in. An
// earlier row lies above a later sibling, and the Tab key visits edit boxes
// in the same order, as in a dialog template.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace toolbox::ui {

enum class ControlKind {
  label,              // transparent static text
  edit_box,           // single- or multi-line text field
  picture_box,        // an image drawn at its own size; holds other controls
  image_button,       // a click target drawn from a normal and a highlighted image
  navigation_button,  // a bar image with a caption drawn over it
  list_view,          // report-style list with a header row
  page_control,       // pages of controls; only the current page shows
};

std::string_view kind_name(ControlKind kind);

// 0x00BBGGRR, as Win32's COLORREF.
using Colour = std::uint32_t;
constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
         static_cast<Colour>(blue) << 16;
}
inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);

struct Bounds {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A font note of the design. An absent face or height means the toolkit's
// default ("SimSun", 12 pixels).
struct FontNote {
  const char* face = nullptr;
  int height = 0;  // character height in pixels
  bool bold = false;
};

struct ListColumn {
  const char* title = "";
  int width = 0;
};

struct ControlDesign {
  const char* name = "";
  ControlKind kind = ControlKind::label;
  const char* parent = nullptr;  // an earlier row's name; nullptr: the window
  int page = -1;                 // the page, when the parent is a page control
  Bounds bounds{};
  const char* text = "";         // caption of a label or navigation button, edit box content
  // Style notes.
  FontNote font{};
  Colour text_colour = kBlack;
  bool multi_line = false;       // edit box
  bool border = false;           // edit box: the toolkit's default border
  int image = 0;                 // resource id: picture box, navigation button, image button
  int highlight_image = 0;       // resource id: image button under the mouse or pressed
  std::span<const ListColumn> columns{};         // list view
  std::span<const char* const> page_titles{};    // page control
};

struct WindowDesign {
  const char* class_name = "";
  const char* caption = "";
  int x = 0;
  int y = 0;
  int client_width = 0;
  int client_height = 0;
  int icon = 0;                  // resource id of the window's icon group
  Colour background = kWhite;    // the client area where no control covers it
  bool start_window = false;     // closing it ends the message loop
  std::span<const ControlDesign> controls{};
};

}  // namespace toolbox::ui
