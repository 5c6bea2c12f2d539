#pragma once
// A box whose length limit binds only what the operator types: a longer
// text that a window puts in the box stays whole (and is sent whole), while
// typing cannot make the text longer than the limit. QLineEdit's maxLength
// would cut the window's own text.

class QLineEdit;

namespace lotteries {

void limitatecleo(QLineEdit* caja, int caracteres);

} // namespace lotteries
