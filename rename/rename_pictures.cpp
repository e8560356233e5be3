#include "rename/rename_pictures.h"

#include "filelist/list_pictures.h"

namespace renamer {

// A page with a pen across it.
void DrawRename(HDC dc, const rt::Ink& k) {
    filelist::DrawPage(dc, k, 2, 3);
    rt::DrawLine(dc, 10, 17, 18, 9, k.accent, 3);
}

}  // namespace renamer
