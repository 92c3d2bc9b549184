// The Win32 edge of panelist: the top-level windows of the desktop, read
// afresh on every call; nothing is kept.
#pragma once

#include "list/window_list.h"

#include <vector>

// The top-level windows the request asks for, in EnumWindows order, each
// with what a script can name it by. Without /all only the windows that
// panefit-wait can take by caption: shown, not cloaked, with a caption, no
// ghost window. The caption part is matched as panefit matches captions, and
// the program's own console is skipped as that search skips it.
std::vector<ListedWindow> ListWindows(const ListRequest& request);
