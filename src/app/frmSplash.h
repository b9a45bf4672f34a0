#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The start-up splash: the splash picture on light grey, centred on the screen, with no title.
// Once it has been shown for kShowMilliseconds it emits finished(), closes and deletes itself.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;

    explicit frmSplash(QWidget* parent = nullptr);

signals:
    // The splash is done; the main window takes over (the splash closes right after).
    void finished();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void Timer1_Timer();

private:
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
};
