#include "rt/callback_guard.h"

#include <cstdio>
#include <exception>
#include <new>

#include "rt/app.h"
#include "rt/msgbox.h"

namespace rt {
namespace {

bool g_showing = false;

// The text of the exception being handled. Nothing here allocates: the
// error may be that memory ran out.
const char* Description() noexcept {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unexpected error";
    }
}

}  // namespace

void ShowUnexpectedError() noexcept {
    if (g_showing) return;
    struct Showing {
        Showing() { g_showing = true; }
        ~Showing() { g_showing = false; }
    } showing;
    char title[256];
    std::snprintf(title, sizeof title, "%s : Error", AppTitle().c_str());
    MsgBox(Description(), MB_ICONSTOP | MB_OK, title);
}

}  // namespace rt
