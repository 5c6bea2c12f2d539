#include "core/sesion.h"

namespace core {

Sesion& sesion()
{
    static Sesion shared;
    return shared;
}

} // namespace core
