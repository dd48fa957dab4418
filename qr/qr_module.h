// The QR module's program-wide objects and the three calls the start-up
// sequence makes: create them with the other program-wide objects, run the
// module initialiser after the exit routine is registered, release them in
// the exit routine. Nothing uses the module in between.
#pragma once

#include "qr/qr_code.h"
#include "qr/qr_tables.h"
#include "text/text.h"

namespace toolbox {

inline constexpr char kQrModuleName[] = "二维码生成器";

struct QrModule {
  QrModule() = default;
  // The container points at these tables: one set of objects, never copied.
  QrModule(const QrModule&) = delete;
  QrModule& operator=(const QrModule&) = delete;

  QrTables tables;  // empty until the initialiser fills them
  二维码类 code{tables};
  Text name;        // set by the initialiser
};

// The container with its empty members, the two fields, the three-entry mode
// table, the empty version table and the four-entry level table.
void create_qr_module();

// Stores the module name and calls the container's init, which fills every
// table. Creates the objects first when they do not exist yet.
void initialise_qr_module();

// Destroys the objects; a later create starts afresh.
void release_qr_module();

// The objects between create and release; nullptr outside.
QrModule* qr_module();

}  // namespace toolbox
