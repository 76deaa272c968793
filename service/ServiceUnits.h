#pragma once
// Start-up and shut-down of the service link's units, in their documented
// order: the folder cache, the log file's unit, the configuration (version
// strings), the administrator flag, then the service link itself.
namespace zorbit {

void InitializeServiceUnits();
// The reverse order; releases the service connection.
void FinalizeServiceUnits();

}  // namespace zorbit
