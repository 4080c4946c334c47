#pragma once
// The result preview: one page on screen at real size, paging through the
// tracing pages, scrolling in 20 millimetre steps, saving a copy, printing.

#include <QImage>
#include <QWidget>

#include "intake/FormNames.h"
#include "intake/PreviewPaging.h"
#include "platform/Forms.h"

class QPushButton;

namespace vt {

// The page on screen: shows the image the preview drew for it.
class PagePicture : public QWidget {
    Q_OBJECT
public:
    explicit PagePicture(QWidget* parent);
    void setPage(QImage image);
    const QImage& page() const { return page_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage page_;
};

class PreviewForm : public Form {
    Q_OBJECT
public:
    static constexpr const char* kName = FormName::Preview;
    PreviewForm();
    void Form_Load() override;

    void cmdNext_Click();
    void cmdBefore_Click();
    void cmdUpMove_Click();
    void cmdDownMove_Click();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    // The close box closes like cmdClose: back to the form that opened it.
    void Form_CloseBox() override { cmdClose_Click(); }

    // Shows the preview with the page of `state` from the top of the sheet,
    // its buttons set for that page.
    void open(PreviewState state);

    float scrollTop() const { return scrollTop_; }
    float visibleHeight() const { return visibleHeight_; }
    // Sizes the page on screen to show this many millimetres of the sheet.
    void setVisibleHeightMm(float heightMm);

private:
    void setButtonsForPage();
    void redrawPreview();
    void turnTo(const std::optional<PageTurn>& turn);

    QPushButton* cmdNext;
    QPushButton* cmdBefore;
    QPushButton* cmdDownMove;
    QPushButton* cmdUpMove;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;
    PagePicture* picPreview;
    QString lastSaveName_;  // the save dialog's last file name; none before the first save
    float scrollTop_ = 0;
    float visibleHeight_ = 0;
};

}  // namespace vt
