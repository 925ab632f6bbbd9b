// The trace sink: functions hand it "begin" and "end" lines, which it drops.
#pragma once

void zaTrace(const char* line);
