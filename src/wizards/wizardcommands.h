#pragma once

class EditorHost;

// The wizards started from the main window's Wizards menu.
void FramesWizard(EditorHost &host);
void ImageMapWizard(EditorHost &host);
