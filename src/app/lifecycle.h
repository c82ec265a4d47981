#pragma once
// Start-up, shutdown and the popup window's life.

#include "app/program.h"

namespace tesmira {

// The main window's created event: makes the one request object of the run.
void onMainWindowCreated(Program& program, const HttpRequestOptions& options);
void createHttpRequest(Program& program, const HttpRequestOptions& options);

// The close button: ends the marketplace session, then the program.
void quitProgram(Program& program);
// Ends the program without touching the cookies (the marketplace's error page).
void endProgram(Program& program);
// The exit routine: releases the shared state, in its order.
void releaseSharedState(SharedState& state);

// The popup pane opens the state's popupAddress; closing the window empties it.
void onPopupWindowCreated(const Program& program, LoginPane& popupBrowser);
void onPopupWindowDestroyed(Program& program);

}  // namespace tesmira
