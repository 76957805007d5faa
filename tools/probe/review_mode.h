#pragma once
// `tanukiban-probe --review FILE [--ms N]`: reviews a game-record file and
// prints one JSON object a ply. Returns the process's exit status.

int runReviewMode(const char* path, long milliseconds);
