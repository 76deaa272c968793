#pragma once
// The date-time picker's window class (DateTimePicker.h), registered by
// InitCommonControlsEx.
namespace plat {

bool RegisterDateTimePickerClass();

}  // namespace plat
