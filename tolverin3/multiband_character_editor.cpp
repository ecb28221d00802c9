// The three-band character plug-in's editor.
#include "multiband_character_editor.h"

#include "editor_texts.h"
#include "tolverin3_editor_layout.h"
#include "tolverin3_tables.h"

namespace fendwick {

namespace {

using P = Tolverin3Param::Index;

static_assert(Tolverin3Param::count <= EditorBase::kParameterLimit, "the editor follows every parameter");
static_assert(Tolverin3Meter::end <= EditorBase::kDisplayValueLimit, "the editor follows every meter");

// The parameter of band `band` that stands where `tag` stands in its own
// band, when ParamLink moves it along; -1 for a parameter no link moves.
int32_t linkedInBand(int32_t tag, int32_t band)
{
    if (tag >= P::hiType && tag <= P::loType) {
        return P::hiType + band;
    }
    if (tag < P::hiThresh || tag >= P::count) {
        return -1;
    }
    const int32_t offset = (tag - P::hiThresh) % BandParam::count;
    if (offset == BandParam::power || offset == BandParam::comp) {
        return -1;
    }
    return P::hiThresh + band * BandParam::count + offset;
}

}  // namespace

MultibandCharacterEditor::MultibandCharacterEditor(EffectBase* owner, const ArtworkTable& table)
    : CharacterEditor(owner, table, Tolverin3Layout::editor, EditorTexts<kTolverin3ParameterRows>::of)
{
}

int32_t MultibandCharacterEditor::movesAlong(int32_t index) const
{
    if (index == P::loMid) {
        return P::midHi;
    }
    return index == P::midHi ? P::loMid : -1;
}

int32_t MultibandCharacterEditor::editedTogether(int32_t tag, int32_t (&tags)[kMostEditedTogether]) const
{
    tags[0] = tag;
    int32_t count = 1;
    if (parameterValue(P::paramLink) < 0.5f || linkedInBand(tag, 0) < 0) {
        return count;
    }
    for (int32_t band = 0; band < kMultibandBandCount; ++band) {
        const int32_t other = linkedInBand(tag, band);
        if (other != tag) {
            tags[count++] = other;
        }
    }
    return count;
}

}  // namespace fendwick
