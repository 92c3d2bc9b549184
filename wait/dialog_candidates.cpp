#include "wait/dialog_candidates.h"

#include "front/flow.h"
#include "search/dialog_lookup.h"
#include "search/window_facts.h"
#include "text/text.h"

bool ProgramMatches(const std::string& path, const std::string& name) {
    const std::string compared = name.find('\\') == std::string::npos ? FileNameOfPath(path) : path;
    return !path.empty() &&
           (EqualsIgnoringCase(compared, name) || EqualsIgnoringCase(compared, name + ".exe"));
}

DialogQuery QueryOfRequest(const WaitRequest& request) {
    DialogQuery query = ReadQueryHere(QueryOfDialogArgument(request.dialog));
    if (request.dialog.empty())
        query.test = CaptionTest::Any;
    else if (request.exact)
        query.test = CaptionTest::Equals;
    return query;
}

std::vector<FoundDialog> DialogCandidates(const WaitRequest& request, const DialogQuery& query) {
    std::vector<FoundDialog> candidates;
    for (const FoundDialog& window : FindShownDialogs(query)) {
        const std::string className = WindowClassName(window.handle);
        if (IsGhostClass(className) ||
            (!request.className.empty() && !EqualsIgnoringCase(className, request.className)))
            continue;
        if (request.program.empty() || ProgramMatches(ProgramPathOfWindow(window.handle), request.program))
            candidates.push_back(window);
    }
    return candidates;
}
