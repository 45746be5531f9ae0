#include "core/field_store.h"

namespace velmoro {

namespace {

std::size_t slot(Field field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

FieldStore::FieldStore(bool recordEffects) : recordEffects_(recordEffects) {
    texts_[slot(Field::Text1)] = INITIAL_TEXT;
    texts_[slot(Field::Text2)] = U"Text2";
    texts_[slot(Field::Text3)] = INITIAL_TEXT;
    texts_[slot(Field::Text4)] = U"Text4";
    texts_[slot(Field::Text5)] = INITIAL_TEXT;
    texts_[slot(Field::Text6)] = INITIAL_TEXT;
    texts_[slot(Field::Text7)] = U"Text7";
    texts_[slot(Field::Text8)] = U"Text8";
}

Text FieldStore::readText(Field field) const {
    return texts_[slot(field)];
}

const Text& FieldStore::text(Field field) const {
    return texts_[slot(field)];
}

void FieldStore::writeText(Field field, const Text& text) {
    texts_[slot(field)] = text;
    if (recordEffects_) {
        effects_.push_back({FieldEffect::Kind::Write, field, text});
    }
}

void FieldStore::refreshNeedle() {
    if (recordEffects_) {
        effects_.push_back({FieldEffect::Kind::NeedleRefresh, Field::Text1, {}});
    }
}

void FieldStore::showNotice(const Text& message) {
    if (recordEffects_) {
        effects_.push_back({FieldEffect::Kind::Notice, Field::Text1, message});
    }
}

}  // namespace velmoro
