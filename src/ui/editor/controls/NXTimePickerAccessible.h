#pragma once

// Makes assistive technologies see a time picker as "Time Picker" with its "h:m:s" text as
// its value, and offer "Increment" and "Decrement", which step the selected field. Installed
// once, by the first picker.
void NXTimePickerInstallAccessibility();
