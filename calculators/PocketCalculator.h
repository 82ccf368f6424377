#pragma once

#include <QChar>
#include <QString>
#include <optional>

// A four-function pocket calculator with reciprocal and square root. It works
// left to right without operator precedence, as a simple hand-held one does:
// 2 + 3 * 4 = gives 20, and "=" again repeats the last operation.
class PocketCalculator {
public:
    enum class Button {
        Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
        Comma, Equals, Plus, Minus, Times, Divide, Reciprocal, SquareRoot, Clear,
    };

    // The most digits the display takes while a number is typed.
    static constexpr int maxDigits = 15;

    // The button a typed key stands for, if any.
    static std::optional<Button> buttonForKey(QChar key);
    static Button digitButton(int digit);

    // Presses a button. Gives the message to show when the figures cannot be
    // used (a display that is no number, a division by zero, the square root
    // of a negative number, a result too large); nothing changes then.
    QString press(Button button);

    const QString &display() const { return display_; }

private:
    enum class Operator { None, Plus, Minus, Times, Divide };

    void reset();
    void digit(int value);
    QString evaluate();
    QString operation(Operator op);
    QString unary(Button button);

    QString display_;
    double accumulator_ = 0;
    bool accumulatorValid_ = false;
    bool newEntry_ = false;
    Operator pending_ = Operator::None;
};
