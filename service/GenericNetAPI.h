#pragma once
// The administrator test: whether the process's account belongs to the local
// Administrators group. Tested once at unit start.
namespace zorbit {

bool IsAdministrator();

// Runs the test; a failure is logged as "[InitialGenericVar]:" and its text,
// and the flag stays false.
void InitializeGenericNetAPI();
void FinalizeGenericNetAPI();

}  // namespace zorbit
