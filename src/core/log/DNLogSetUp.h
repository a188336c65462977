#pragma once

// The program's log set-up, done at start before anything is logged: the per-user data folder
// that holds the log file is made. The program and the developer aid both call it, so that a
// run of either writes its log where the other does.
void DNSetUpProgramLog();
