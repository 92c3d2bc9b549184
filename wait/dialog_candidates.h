// Which shown windows can be the dialog panefit-wait waits for, and the
// rules of its options. Reads the desktop afresh on every call and keeps
// nothing.
#pragma once

#include "search/dialog_query.h"
#include "wait/wait_arguments.h"

#include <string>
#include <vector>

// /program:NAME against the full path of a window's program: the file name
// is NAME in any letter case, with or without ".exe"; a NAME that holds a
// backslash is compared with the whole path in the same way. A path that
// could not be read ("") matches no NAME.
bool ProgramMatches(const std::string& path, const std::string& name);

// The query the request's dialog makes: a handle, a part of a caption, a
// whole caption (/exact), or any caption (an empty dialog).
DialogQuery QueryOfRequest(const WaitRequest& request);

// The windows that can be the dialog, in EnumWindows order: those the query
// finds shown (by caption, only windows of their own: top-level, owned or
// not), never a ghost window, and only those of the class and program that
// the options name.
std::vector<FoundDialog> DialogCandidates(const WaitRequest& request, const DialogQuery& query);
