#pragma once

#include <QWidget>
#include <memory>

class MDIMain;
class QLabel;
class QTimer;

// The start-up window: product name and pictures for three seconds, then it hands over to the
// main window and stays loaded, hidden, for the rest of the run.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    void Timer1_Timer();

    QTimer* timer() const { return Timer1; }
    MDIMain* mainWindow() const { return m_main.get(); }

private:
    QTimer* Timer1 = nullptr;
    QLabel* Label1 = nullptr;
    std::unique_ptr<MDIMain> m_main;
};
