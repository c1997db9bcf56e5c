#include "wizard/controls/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace wizard
{

namespace
{

// Asked of the window system's window: the widget's own frameGeometry() may
// keep a frame it learned before the window manager framed the window.
QSize frameSize(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    if (!handle)
        return QSize(0, 0);
    const QMargins frame = handle->frameMargins();
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

// Calls its function at the window's first painting and, if the window had no
// frame yet then, once more at the first event that finds one: a window
// manager may frame the window only after its first painting.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget* window, std::function<void()> then)
        : QObject(window), m_window(window), m_then(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const bool painted = event->type() == QEvent::Paint;
        if (!m_painted && !painted)
            return false;
        const bool framed = !frameSize(m_window).isNull();
        if (painted && !m_painted) {
            m_painted = true;
            call();
        } else if (framed) {
            call();
        }
        if (framed) {
            m_window->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    void call()
    {
        // Not from inside the event: the function may resize the window.
        QTimer::singleShot(0, m_window, m_then);
    }

    QWidget* m_window;
    std::function<void()> m_then;
    bool m_painted = false;
};

} // namespace

void centreOn(QWidget* window, const QRect& area)
{
    const QSize outer = window->size() + frameSize(window);
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}

void whenFrameKnown(QWidget* window, std::function<void()> then)
{
    new FrameWatch(window, std::move(then));
}

void setMinimumOuterSize(QWidget* window, const QSize& outer)
{
    window->setMinimumSize(outer - frameSize(window));
}

void resizeOnScreen(QWidget* window, const QSize& inner)
{
    const QSize screen = window->screen()->availableGeometry().size() - frameSize(window);
    window->resize(inner.boundedTo(screen).expandedTo(window->minimumSize()));
}

} // namespace wizard
