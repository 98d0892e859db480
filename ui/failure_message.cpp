#include "ui/failure_message.h"

#include "calc/circle.h"

namespace ui {

FailureMessage DescribeFailure(const std::exception_ptr& failure) {
  constexpr std::u16string_view kCaption = u"Ошибка";
  try {
    std::rethrow_exception(failure);
  } catch (const calc::ConversionError&) {
    return {kCaption, u"Радиус не является числом. Сотрите всё и введите число, например 2."};
  } catch (const calc::OverflowError&) {
    return {kCaption, u"Радиус слишком велик: площадь круга не помещается в число."};
  } catch (...) {
    return {kCaption, u"Не удалось выполнить команду."};
  }
}

}  // namespace ui
