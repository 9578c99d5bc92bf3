#pragma once

namespace platform {

// What every window of the program looks like and how its buttons take keys, whatever the
// desktop: the Fusion style with Fusion's own light palette, so that the screens' coloured
// captions and buttons keep their contrast under a dark colour scheme; Enter and Return press a
// focused push button, as Space does. Called once the application exists, before any window.
void setUpDesktop();

}  // namespace platform
