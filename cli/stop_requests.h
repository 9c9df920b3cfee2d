#pragma once

namespace velandry {

// A request to stop that reached the converter from outside: SIGINT or
// SIGTERM (Ctrl+C, or closing the console, on Windows). watchStopRequests()
// starts noting them instead of ending the process; stopRequest() is the
// signal's number, 0 while none came.
void watchStopRequests();
int stopRequest();

} // namespace velandry
