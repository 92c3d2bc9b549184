#include "text/text.h"

#include <windows.h>

const std::string& CommandTail() {
    static const std::string tail = TailOfCommandLine(GetCommandLineA());
    return tail;
}

std::string CommandArgument(int n, EmptyQuotes empty) {
    return ArgumentOfTail(CommandTail(), n, empty);
}

std::string ProgramBaseName() {
    char path[264] = {};
    GetModuleFileNameA(nullptr, path, sizeof path); // a failure leaves the name empty
    return BaseNameOfPath(TextFromBuffer(path).substr(0, 260));
}
