#pragma once

#include <QLabel>
#include <QList>
#include <QTextLayout>

class ClickableLabel;

namespace help {

// A paragraph wrapped to a fixed width, with document links laid over its designations or
// following its last word.
class NoteLabel : public QLabel {
    Q_OBJECT
public:
    NoteLabel(const QString& text, int width, QWidget* parent = nullptr);

    // A blue link over the first place where `designation` is written; its caption may differ.
    ClickableLabel* linkOver(const QString& designation, const QString& caption, const QString& documentFile);
    // A blue link right after the last word, on the next line if it does not fit.
    ClickableLabel* linkAfter(const QString& caption, const QFont& captionFont, const QString& documentFile);
    // Puts a caption of its own right after the last word, `gap` blanks away.
    void placeAfter(QLabel* follower, int gap = 0);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A caption laid over a range of the laid-out text.
    struct Overlay {
        QLabel* label;
        int start;
        int length;
    };
    ClickableLabel* newLink(const QString& caption, const QString& documentFile);
    void layOut();
    QRectF placeOf(int start, int length) const;

    QString laidOutText;  // the text, with designations kept on one line and room for trailing links
    QList<QTextLayout::FormatRange> formats;
    QTextLayout layout;
    QList<Overlay> overlays;
};

}  // namespace help
