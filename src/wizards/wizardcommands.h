#pragma once

class EditorWindows;
class MainStatus;

// The wizards started from the main window's Wizards menu.
void FramesWizard(EditorWindows &windows, MainStatus &status);
void ImageMapWizard(EditorWindows &windows);
