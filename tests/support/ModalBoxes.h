#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tessaly::testing {

// Runs `inspect` on the real modal box once it is up, from inside the box's own event loop;
// `inspect` answers the box or leaves it open for a later call.
inline void whenModal(std::function<void(QWidget*)> inspect)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
        }
    });
    timer->start();
}

} // namespace tessaly::testing
