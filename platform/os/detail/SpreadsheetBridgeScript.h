#pragma once
// The bridge program's source (SpreadsheetBridge.py), carried in the
// library so that it is run with "python3 -c" and never needs a file of
// its own. Generated at build time from SpreadsheetBridge.py.
namespace plat {

extern const char* const kSpreadsheetBridgeScript;

}  // namespace plat
