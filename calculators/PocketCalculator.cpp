#include "calculators/PocketCalculator.h"

#include "calculators/NumberText.h"

#include <algorithm>
#include <cmath>

std::optional<PocketCalculator::Button> PocketCalculator::buttonForKey(QChar key)
{
    if (key >= u'0' && key <= u'9')
        return digitButton(key.digitValue());
    switch (key.unicode()) {
    case u',':
    case u'.':
        return Button::Comma;
    case u'+':
        return Button::Plus;
    case u'-':
        return Button::Minus;
    case u'*':
        return Button::Times;
    case u'/':
        return Button::Divide;
    case u'=':
        return Button::Equals;
    case u'C':
    case u'c':
        return Button::Clear;
    case u'S':
    case u's':
        return Button::SquareRoot;
    case u'X':
    case u'x':
        return Button::Reciprocal;
    default:
        return std::nullopt;
    }
}

PocketCalculator::Button PocketCalculator::digitButton(int digit)
{
    return Button(int(Button::Digit0) + digit);
}

QString PocketCalculator::press(Button button)
{
    switch (button) {
    case Button::Comma:
        // A comma right after a result is lost: the next digit starts a new number.
        display_ += u',';
        return QString();
    case Button::Equals:
        return evaluate();
    case Button::Plus:
        return operation(Operator::Plus);
    case Button::Minus:
        return operation(Operator::Minus);
    case Button::Times:
        return operation(Operator::Times);
    case Button::Divide:
        return operation(Operator::Divide);
    case Button::Reciprocal:
    case Button::SquareRoot:
        return unary(button);
    case Button::Clear:
        reset();
        return QString();
    default:
        digit(int(button) - int(Button::Digit0));
        return QString();
    }
}

void PocketCalculator::reset()
{
    *this = PocketCalculator();
}

void PocketCalculator::digit(int value)
{
    if (newEntry_)
        display_.clear();
    else if (std::count_if(display_.begin(), display_.end(), [](QChar c) { return c.isDigit(); }) >= maxDigits)
        return;
    display_ += QChar(u'0' + value);
    newEntry_ = false;
}

QString PocketCalculator::evaluate()
{
    if (!accumulatorValid_) {
        // The first number: taken as it stands; a display that is no number
        // is simply cleared.
        const std::optional<double> first = numbers::parse(display_);
        if (!first) {
            display_.clear();
            return QString();
        }
        accumulator_ = *first;
        accumulatorValid_ = true;
        newEntry_ = true;
        return QString();
    }
    const std::optional<double> operand = numbers::parse(display_);
    if (!operand)
        return numbers::invalidNumberMessage(display_);
    double result = accumulator_;
    switch (pending_) {
    case Operator::Plus:
        result += *operand;
        break;
    case Operator::Minus:
        result -= *operand;
        break;
    case Operator::Times:
        result *= *operand;
        break;
    case Operator::Divide:
        if (*operand == 0)
            return numbers::divisionByZeroMessage();
        result /= *operand;
        break;
    case Operator::None:
        break;
    }
    if (!std::isfinite(result))
        return numbers::overflowMessage();
    accumulator_ = result;
    display_ = numbers::general(result);
    newEntry_ = true;
    return QString();
}

QString PocketCalculator::operation(Operator op)
{
    const QString message = evaluate();
    if (message.isEmpty())
        pending_ = op;
    return message;
}

QString PocketCalculator::unary(Button button)
{
    const std::optional<double> operand = numbers::parse(display_);
    if (!operand)
        return numbers::invalidNumberMessage(display_);
    double result = 0;
    if (button == Button::Reciprocal) {
        if (*operand == 0)
            return numbers::divisionByZeroMessage();
        result = 1 / *operand;
    } else {
        if (*operand < 0)
            return numbers::negativeRootMessage();
        result = std::sqrt(*operand);
    }
    if (!std::isfinite(result))
        return numbers::overflowMessage();
    accumulator_ = result;
    display_ = numbers::general(result);
    accumulatorValid_ = true;
    newEntry_ = true;
    return QString();
}
