#include "platform/ui/captionfit.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <climits>
#include <vector>

namespace ov {

int CaptionWidth(const QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->isDefault() || button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    // Left without text, so the style adds its margins but not its minimum.
    const QSize content = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, content, button).width();
}

void FitButtonRow(std::initializer_list<QPushButton*> row)
{
    constexpr int kGap = 6;
    const std::vector<QPushButton*> buttons(row);
    int limit = INT_MAX; // the right edge the next button to the right leaves free
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
        QRect place = (*it)->geometry();
        const int right = std::min(place.right(), limit);
        place.setWidth(std::max(place.width(), CaptionWidth(*it)));
        place.moveRight(right);
        (*it)->setGeometry(place);
        limit = place.left() - 1 - kGap;
    }
}

void FitLabelHeight(QLabel* label)
{
    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    if (needed > label->height()) label->resize(label->width(), needed);
}

} // namespace ov
