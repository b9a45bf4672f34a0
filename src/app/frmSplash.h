#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

// The start-up splash: the splash picture on light grey, centred on the screen, with no title.
// Once it has been shown for kShowMilliseconds it closes and deletes itself.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;

    explicit frmSplash(QWidget* parent = nullptr);

    // Shows a new splash; once it has closed and is gone, runs `next` (which loads and shows the
    // main window) from the event loop. The program does not end while no window is open in
    // between; after `next`, closing the last window ends it as usual.
    static void showThen(std::function<void()> next);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void Timer1_Timer();

private:
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
};
