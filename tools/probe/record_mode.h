#pragma once
// `tanukiban-probe --record FILE`: replays a game-record file and prints one
// JSON object describing it. Returns the process's exit status.

int runRecordMode(const char* path);
