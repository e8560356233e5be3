#pragma once
// The pictures of the list window's own buttons and of the list programs'
// dialogs, and the list programs' window icon (a folder with a list).
#include "rt/drawing.h"

namespace filelist {

void DrawBrowse(HDC dc, const rt::Ink& k);
void DrawInput(HDC dc, const rt::Ink& k);
void DrawAddAll(HDC dc, const rt::Ink& k);
void DrawAdd(HDC dc, const rt::Ink& k);
void DrawRecurse(HDC dc, const rt::Ink& k);
void DrawRemoveAll(HDC dc, const rt::Ink& k);
void DrawRemove(HDC dc, const rt::Ink& k);
void DrawLoad(HDC dc, const rt::Ink& k);
void DrawSave(HDC dc, const rt::Ink& k);
void DrawHelp(HDC dc, const rt::Ink& k);
void DrawCancel(HDC dc, const rt::Ink& k);
void DrawApply(HDC dc, const rt::Ink& k);

// Small shapes the programs' own pictures are made of too.
void DrawFolder(HDC dc, const rt::Ink& k, int dx = 0, int dy = 0);
void DrawPage(HDC dc, const rt::Ink& k, int left, int top);

void DrawListIcon(HDC dc, int size);

}  // namespace filelist
