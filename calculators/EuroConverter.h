#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

// The euro converter: an amount typed on a small keypad, converted between
// French francs and euros at an adjustable rate. Euros are given to the
// cent, francs to the tenth, halves rounded to the even neighbour.
class EuroConverter {
public:
    enum class Direction { FrancsToEuros, EurosToFrancs };

    // The rate counts hundred-thousandths of a franc for one euro.
    static constexpr qint64 officialRate = 655957;
    static constexpr qint64 lowestRate = 1;

    // A new showing: the next key starts from the displays as they are.
    void activate() { resultShown_ = false; }

    // A character typed on the keyboard. Enter converts; a full stop is taken
    // as the decimal comma; digits and the comma are appended to the input;
    // other characters only clear a result. Gives a message to show, or an
    // empty text.
    QString type(QChar typed);
    // A keypad button ("0" to "9", ","): clears a result, then appends.
    void press(QChar key);
    // "=" or Enter: converts the input. An input that is no number empties
    // both displays without a word; a result too large gives a message.
    QString convert();

    void rateUp();
    // Never below the lowest rate.
    void rateDown();
    void setRate(qint64 rate) { rate_ = qMax(rate, lowestRate); }
    qint64 rate() const { return rate_; }
    // The rate in francs for one euro, as exactly as it is held: "6,55957".
    QString rateText() const;

    void setDirection(Direction direction) { direction_ = direction; }
    Direction direction() const { return direction_; }

    const QString &input() const { return input_; }
    const QString &result() const { return result_; }

    // The conversion itself: no value when the result is too large for a double.
    static std::optional<double> converted(double amount, qint64 rate, Direction direction);
    // A rate as typed ("6,55957" or "6.55957"): at most five decimals, at least
    // one hundred-thousandth.
    static std::optional<qint64> parseRate(QStringView text);

private:
    void clearResult();

    qint64 rate_ = officialRate;
    Direction direction_ = Direction::FrancsToEuros;
    QString input_;
    QString result_;
    bool resultShown_ = false;
};
