#pragma once

// The one place every help request goes through: the Help window command,
// and every Help button of a window, a dialog or a message box. The real
// viewer shows the program's help file; tests install a viewer that records
// the requests.
namespace Help {

class Viewer
{
public:
    virtual ~Viewer() = default;
    virtual void showContents() = 0;
    // The topic of a help context number.
    virtual void showTopic(int context) = 0;
};

void showContents();
void showTopic(int context);

// Installs the viewer used from now on; nullptr restores the real one.
void setViewer(Viewer *viewer);

} // namespace Help
