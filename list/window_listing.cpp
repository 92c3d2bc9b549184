#include "list/window_listing.h"

#include "front/window_size.h"
#include "search/dialog_lookup.h"
#include "search/window_handle.h"
#include "search/window_inventory.h"
#include "text/text.h"

std::vector<ListedWindow> ListWindows(const ListRequest& request) {
    DialogQuery query = ReadQueryHere("CAP:" + request.captionPart);
    if (request.all && request.captionPart.empty())
        query.test = CaptionTest::Any;
    std::vector<ListedWindow> listed;
    for (HWND window : TopLevelWindows()) {
        const std::uint32_t handle = HandleNumber(window);
        const WindowState state = StateOfWindow(handle);
        if (!CaptionCanMatch(query, handle) || (!request.all && !IsShown(state)))
            continue;
        const std::string caption = WindowCaption(handle);
        if (!WindowMatches(query, handle, caption))
            continue;
        const std::string className = WindowClassName(handle);
        if (!request.all && IsGhostClass(className))
            continue;
        listed.push_back({handle, ReadOuterSize(handle).size, state,
                          FileNameOfPath(ProgramPathOfWindow(handle)), className, TrimBlanks(caption)});
    }
    return listed;
}
