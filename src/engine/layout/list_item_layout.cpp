// A list item lays out like any block and asks for its list-style image.

#include "engine/document/document.h"
#include "engine/document/list_item.h"
#include "engine/layout/layout_context.h"

namespace kelvor::engine {

int TListItemBlock::layoutContent(LayoutContext& context, int x, int width, int availableHeight,
                                  TIndentMap& map, int y, int& neededWidth) {
    if (marker == MarkerKind::image && !markerPicture && context.document.showImages) {
        const PictureAnswer answer = context.document.pictures().request(markerImage);
        if (answer.state == PictureAnswer::State::available && answer.picture)
            markerPicture = answer.picture;
    }
    return TBlock::layoutContent(context, x, width, availableHeight, map, y, neededWidth);
}

}  // namespace kelvor::engine
