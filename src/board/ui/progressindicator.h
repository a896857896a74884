#pragma once
// The vertical progress indicator of the delivery progress dialog: a sunken box whose filled
// bar grows downward from the top as the order moves through its steps.
#include <QWidget>

class ProgressIndicator : public QWidget
{
    Q_OBJECT
  public:
    explicit ProgressIndicator(QWidget *parent = nullptr);

    // The bar for an order status (the twips of ProgressBarTwips, scaled to the box).
    void setStatus(int status);
    int status() const { return m_status; }
    // Height of the filled bar in pixels at the current size.
    int barHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int m_status = 1;
};
