// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QListWidget>
#include <functional>

namespace vantrel::ui {

class CEditHelper;

// The skinned list box: lines in bold Arial drawn straight onto the
// dialog's face, white with a black shadow 2 pixels right and below, the
// selected line cyan. Its lines can be edited in place:
// - edit mode 1 (delay lines): a double click inside the selected line whose
//   text holds neither "dn" nor "up" opens a digits-only editor on the
//   number; the committed value (2 to 60000) is reported;
// - edit mode 3 (rename): a double click on a line opens an editor on its
//   text; a changed, accepted name replaces the line (in sorted place when
//   the list is sorted) and is selected.
// In edit mode 1 the words "dn", "up" and "ms" are drawn as pictures at the
// line's right end; the line's text keeps them.
class CTransparentListBox : public QListWidget {
    Q_OBJECT
public:
    enum EditMode : int { kNoEdit = 0, kEditDelay = 1, kEditRename = 3 };
    static constexpr int kMinDelay = 2;
    static constexpr int kMaxDelay = 60000;

    explicit CTransparentListBox(QWidget* parent = nullptr);

    void setEditMode(int mode) { editMode_ = mode; }
    int editMode() const { return editMode_; }
    void setFontPixelSize(int pixels);
    // A sorted list keeps its lines in lineLess order.
    void setSortedLines(bool sorted) { sorted_ = sorted; }
    static bool lineLess(const QString& a, const QString& b);
    // Adds a line (in sorted place for a sorted list); its index.
    int addLine(const QString& text);
    void setLines(const QStringList& lines, int selected);
    QStringList lines() const;
    // Pictures for the words of delay-mode lines, each `size` logical
    // pixels; the icons bring them at every scale there is.
    void setWordPictures(QIcon down, QIcon up, QIcon ms, QSize size);
    // Asked before a renamed text replaces its line; false keeps the line.
    void setRenameCheck(std::function<bool(const QString&)> check) { check_ = std::move(check); }

    // Opens the editor on `line` as a double click there would (the mode's
    // rules apply); false when it does not open.
    bool beginEdit(int line);
    bool editing() const { return editedLine_ >= 0; }
    CEditHelper* editor() const { return editor_; }
    void commitEdit();
    void cancelEdit();

    // The picture drawn for a delay-mode line, or null; the text left of it.
    const QIcon* wordPicture(const QString& text, QString* shown) const;
    QSize wordPictureSize() const { return wordSize_; }

signals:
    // The editor opened on a line.
    void editStarted(int line);
    // Edit mode 1: (line, new delay). Edit mode 3: (old index, new index).
    void editCommitted(int line, int value);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void closeEditor();
    void commitDelay(const QString& text);
    void commitRename(const QString& text);

    int editMode_ = kNoEdit;
    bool sorted_ = false;
    int editedLine_ = -1;
    CEditHelper* editor_ = nullptr;
    QIcon down_, up_, ms_;
    QSize wordSize_;
    std::function<bool(const QString&)> check_;
};

} // namespace vantrel::ui
