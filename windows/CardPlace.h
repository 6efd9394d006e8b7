#pragma once

#include <QWidget>

namespace vantorel {

// A card place, on the table or as the card-back dialog's preview: shows one of the card pictures
// stretched to the place. The picture is drawn at the place's real pixel size, so it stays crisp
// at any screen density.
class CardPlace final : public QWidget {
    Q_OBJECT

  public:
    explicit CardPlace(QWidget* parent);

    // 0 shows nothing. The new picture is painted at the next pass of the event loop.
    void SetPicture(int picture);
    int Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int picture_ = 0;
};

}  // namespace vantorel
