#pragma once

#include <functional>

class NXYoutubeControlller;
class QWidget;

// Builds the online-video window: its controls go into the controller's outlets and its
// player's outlets, and their actions to the controller. willClose runs when the user closes the
// window. The window is a top-level widget owned by the caller.
QWidget *NXBuildYoutubeWindow(NXYoutubeControlller *controller, std::function<void()> willClose);
