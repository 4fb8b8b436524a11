#pragma once

// Lets screen readers meet the main window as a frame whose lying books come in the order they lie in the pile.
void describeMainWindowToAssistiveTools();
