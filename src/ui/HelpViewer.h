#pragma once
// The help viewer, form `frmIstruzioni`: a resizable top-level window that
// shows the instruction manual, an RTF file looked up by bare name in the
// current directory, in a read-only rich-text box. The file is read anew each
// time the window becomes active. A missing file is reported through the
// MessagePresenter and the window then unloads itself (signal `unloaded`).
// HelpLauncher creates and forgets the window for the main window.
#include <QSize>
#include <QString>
#include <QWidget>

class QTextEdit;

namespace tarvek::ui
{

class MessagePresenter;

class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 9330;
    static constexpr int kClientHeightTwips = 4725;
    static constexpr int kBoxWidthTwips = 9285;
    static constexpr int kBoxHeightTwips = 4620;
    // What the text box leaves of the whole window (border and caption bar).
    static constexpr int kFrameWidthTwips = 120;
    static constexpr int kFrameHeightTwips = 480;

    // Centred on the screen, hidden until the first showManual. The manual is
    // also looked for in `programFolder`, normally the program's own folder.
    HelpViewer(MessagePresenter &messages, const QString &programFolder);

    void showManual(const QString &fileName, const QString &title);
    static bool fileExists(const QString &name);
    // The manual by its name in the current directory; when it is not there
    // (a file dialog has made another folder current), the one in the
    // program's folder, where the Windows installer puts it. The bare name when
    // neither exists.
    static QString locateManual(const QString &name, const QString &programFolder);
    // Size of the text box for a whole window (frame included) of the given
    // pixel size, at the given logical DPI.
    static QSize textBoxSize(QSize windowSize, double logicalDpi);

    // Deletes the window once none of its handlers is running: at once (by
    // deleteLater) or when the missing-file box it is waiting for returns.
    void deleteWhenIdle();

    QString helpFileName() const { return m_helpFileName; }
    // Whether the activation's reload is running: its missing-file box may be
    // open.
    bool isActivating() const { return m_activating; }
    QTextEdit *textBox() const { return m_textBox; }

Q_SIGNALS:
    // The window has been unloaded: closed by the operator, or after the
    // missing-file message. Its owner should delete it.
    void unloaded();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOnScreen();
    void reloadOnActivation();
    void fitTextBox();
    void centreOnceFramed(bool shown);
    void loadHelpFile(const QString &path);
    void unloadViewer();
    double logicalDpi() const;
    QSize wholeWindowSize() const;

    MessagePresenter &m_messages;
    QTextEdit *m_textBox = nullptr;
    QString m_helpFileName;
    QString m_programFolder;
    bool m_activating = false;
    bool m_unloaded = false;
    bool m_deleteWhenIdle = false;
    bool m_frameSettled = false; // centred with its frame, or active already
};

} // namespace tarvek::ui
