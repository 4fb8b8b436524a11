#pragma once

// Teaches Qt how the picture controls and the chart present themselves to assistive tools. Every control calls it
// as it is built, so that the description is in place before anyone can ask about one; only the first call does
// anything.
void describeControlsToAssistiveTools();
