#include "help.h"

namespace Help {
namespace {

// Until the help viewer window stands, requests are taken and dropped.
class NoViewer : public Viewer
{
public:
    void showContents() override {}
    void showTopic(int) override {}
};

Viewer *g_viewer = nullptr;

Viewer &viewer()
{
    static NoViewer none;
    return g_viewer ? *g_viewer : none;
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
