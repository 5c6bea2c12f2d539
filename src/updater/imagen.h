#pragma once
// The picture at the top of the updater's window: a 640 × 250 banner drawn
// at start-up (the program carries no picture files).

#include <QImage>

namespace updater {

QImage imagenactualizacion();

} // namespace updater
