#include "help.h"

#include "helpwindow.h"

#include <QPointer>

namespace Help {
namespace {

// The help window, made on the first request. It is thrown away when the
// user closes it, so the next request reads the help file afresh.
class WindowViewer : public Viewer
{
public:
    void showContents() override
    {
        HelpWindow &shown = window();
        shown.showContents();
        shown.present();
    }

    void showTopic(int context) override
    {
        HelpWindow &shown = window();
        shown.showTopic(context);
        shown.present();
    }

private:
    HelpWindow &window()
    {
        if (!m_window) {
            m_window = new HelpWindow(HelpFile::load(helpFileCandidates()));
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return *m_window;
    }

    QPointer<HelpWindow> m_window;
};

Viewer *g_viewer = nullptr;

Viewer &viewer()
{
    static WindowViewer real;
    return g_viewer ? *g_viewer : real;
}

} // namespace

void showContents()
{
    viewer().showContents();
}

void showTopic(int context)
{
    viewer().showTopic(context);
}

void setViewer(Viewer *viewer)
{
    g_viewer = viewer;
}

} // namespace Help
