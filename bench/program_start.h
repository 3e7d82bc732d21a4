// One start of the program measured from outside: from launching ptrmain to resident (it
// has run a function that another process asked for), with the moments between.
#pragma once
#include "program_folder.h"
#include "stamp_board.h"

namespace ptrbench {

struct StartTimes {
    double window = 0;     // KXDLL's window exists: the host DLL is initialised
    double idle = 0;       // WaitForInputIdle returned: the program waits for input
    double resident = 0;   // a request from another process has been run
};

// One start, asking for the probe's stamp; false when the program never ran the request.
bool StartOnce(ProgramFolder &folder, BoardView &board, StartTimes &times);

}  // namespace ptrbench
