#pragma once

#include "AppState.h"
#include "Connections.h"
#include "modLogError.h"
#include "PathMapper.h"
#include "Services.h"

namespace qnr {

// What a working window needs from the program, handed to it when it is made.
struct AppContext {
    Services services;
    AppConnections& connections;
    ErrorLog& errorLog;
    AppState& state;
    const PathMapper& drives;
};

} // namespace qnr
