// Rule 19: tables. The table block is built apart and added to its cell when the table ends,
// so that text and STYLE elements met between the table's own tags land before it.

#include <algorithm>

#include "engine/document/table.h"
#include "engine/reader/column_map.h"
#include "engine/reader/reading.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// COL entries of one table are kept within this many.
constexpr std::size_t kMaxColumnSpecs = 1000;

int NumberOr(const TAttributeList& attributes, Attr symbol, int fallback) {
    return attributes.number(symbol).value_or(fallback);
}

TableAttributes ReadTableAttributes(const TAttributeList& attributes) {
    TableAttributes table;
    table.width = attributes.length(Attr::Width);
    table.height = attributes.length(Attr::Height);
    table.align = std::string(attributes.text(Attr::Align));
    table.hasHspace = attributes.has(Attr::HSpace);
    table.hspace = NumberOr(attributes, Attr::HSpace, 0);
    table.hasVspace = attributes.has(Attr::VSpace);
    table.vspace = NumberOr(attributes, Attr::VSpace, 0);
    if (const TAttribute* border = attributes.find(Attr::Border)) {
        table.hasBorder = true;
        table.border = border->numericValue;
    }
    table.hasCellPadding = attributes.has(Attr::CellPadding);
    table.cellPadding = NumberOr(attributes, Attr::CellPadding, 0);
    table.hasCellSpacing = attributes.has(Attr::CellSpacing);
    table.cellSpacing = NumberOr(attributes, Attr::CellSpacing, 0);
    table.bgColour = std::string(attributes.text(Attr::BgColor));
    table.background = std::string(attributes.text(Attr::Background));
    table.borderColour = std::string(attributes.text(Attr::BorderColor));
    table.borderColourLight = std::string(attributes.text(Attr::BorderColorLight));
    table.borderColourDark = std::string(attributes.text(Attr::BorderColorDark));
    return table;
}

CellAttributes ReadCellAttributes(const TAttributeList& attributes) {
    CellAttributes cell;
    const int colSpan = NumberOr(attributes, Attr::Colspan, 1);
    const int rowSpan = NumberOr(attributes, Attr::Rowspan, 1);
    cell.colSpan = colSpan > 1 ? colSpan : 1;
    cell.rowSpan = rowSpan > 1 ? rowSpan : 1;
    cell.width = attributes.length(Attr::Width);
    cell.height = attributes.length(Attr::Height);
    cell.bgColour = std::string(attributes.text(Attr::BgColor));
    cell.background = std::string(attributes.text(Attr::Background));
    cell.href = std::string(attributes.text(Attr::Href));
    cell.target = std::string(attributes.text(Attr::Target));
    cell.title = attributes.title();
    cell.noWrap = attributes.has(Attr::NoWrap);
    cell.valign = std::string(attributes.text(Attr::VAlign));
    return cell;
}

std::string LowerTrimmed(std::string_view text) {
    return ascii::LowerCased(ascii::TrimWhitespace(text));
}

// A COL or COLGROUP's values, with the group's as defaults.
struct ColumnValues {
    TableLength width;
    std::string align;
    std::string valign;
    int span = 1;
};

ColumnValues ReadColumnValues(const TAttributeList& attributes, const ColumnValues& defaults) {
    ColumnValues values = defaults;
    if (attributes.has(Attr::Width)) {
        const LengthAttribute width = attributes.length(Attr::Width);
        values.width = {};
        if (width.percent && width.value >= 1 && width.value <= 100)
            values.width = {width.value * 10, true};
        else if (!width.percent && width.value > 0)
            values.width = {width.value, false};
    }
    if (attributes.has(Attr::Align)) {
        const std::string align = LowerTrimmed(attributes.text(Attr::Align));
        if (align == "left" || align == "center" || align == "right" || align == "justify" ||
            align == "char")
            values.align = align;
    }
    if (attributes.has(Attr::VAlign))
        values.valign = LowerTrimmed(attributes.text(Attr::VAlign));
    if (attributes.has(Attr::Span))
        values.span = std::max(1, NumberOr(attributes, Attr::Span, 1));
    return values;
}

bool IsRowGroup(Tag tag) {
    return tag == Tag::Thead || tag == Tag::Tbody || tag == Tag::Tfoot;
}

}  // namespace

// The symbols that end a cell's or a caption's content: every table tag.
SymbolSet HtmlReading::TableTerm() {
    SymbolSet term;
    for (Tag tag : {Tag::Td, Tag::Th, Tag::Tr, Tag::Caption, Tag::Thead, Tag::Tbody, Tag::Tfoot,
                    Tag::Colgroup}) {
        term.add(tag).addEnd(tag);
    }
    term.add(Tag::Col);
    term.addEnd(Tag::Table);
    return term;
}

void HtmlReading::endOpenLink(int position) {
    if (document_.openLink() == nullptr)
        return;
    document_.endLink(position);
    if (stack_.popByName("a"))
        changeFont();
}

// Entries left open inside a cell (an unclosed B, FONT, ...) end with it.
void HtmlReading::popTo(std::size_t size) {
    while (stack_.size() > size && stack_.size() > 1)
        stack_.popTop();
}

struct HtmlReading::TableReading {
    TextAlignment around = TextAlignment::none;
    StackElement identity;
    TableAttributes attributes;
    std::size_t stackSize = 0;  // the stack below the table's entry
    int depth = 0;
    bool restyle = false;  // a style sheet was read before the first row
    std::unique_ptr<TTableBlock> tableOwned;
    std::unique_ptr<TCaptionedTableBlock> pairOwned;
    TTableBlock* table = nullptr;
    TCaptionedTableBlock* pair = nullptr;
    TBlock* caption = nullptr;
    bool captionBelow = false;
    TFlowCell* outerCell = nullptr;
    TTableRow* row = nullptr;
    std::size_t rowStackSize = 0;  // the stack before the row's entry
    std::string rowAlign;
    std::string rowValign;
    RowKind kind = RowKind::body;
    std::size_t groupStackSize = 0;
    bool inGroup = false;
    ColumnValues groupDefaults;
    std::vector<ColumnValues> columns;
    TColumnMap map;
    int rowIndex = -1;
};

// Only end TABLE or the end of the input ends a table; the enclosing reading's end symbols do
// not (they are read between rows as content of the cell that holds the table).
void HtmlReading::readTable(const SymbolSet& /*term*/) {
    if (tableNesting_ >= kMaxTableNesting || !canNest()) {
        skipAsAbsent(Tag::Table);
        return;
    }
    endOpenLink(token_.position);
    closeSection();
    TableReading reading;
    // The table's own entry resets text alignment for its cells; the alignment it stands in
    // (a CENTER around it, say) places the table.
    reading.around = top().textAlign();
    reading.identity = StackElement::Of("table", attributes(), document_.fonts());
    reading.attributes = ReadTableAttributes(attributes());
    reading.stackSize = stack_.size();
    reading.depth = cell_->depth();
    reading.outerCell = cell_;
    makeTable(reading);
    auto& tableOwned = reading.tableOwned;
    auto& pairOwned = reading.pairOwned;
    const std::size_t stackSize = reading.stackSize;
    ++nesting_;
    ++tableNesting_;
    next();
    const SymbolSet cellTerm = TableTerm();
    while (token_.tag != Tag::End && !isEnd(Tag::Table)) {
        const std::uint64_t before = tokenCount_;
        readTablePart(reading, cellTerm);
        if (tokenCount_ == before)
            next();
    }
    closeSection();
    cell_ = reading.outerCell;
    popTo(stackSize + 1);
    stack_.popByName("table");
    popTo(stackSize);
    --tableNesting_;
    --nesting_;

    TTableGrid& grid = reading.table->grid();
    for (const ColumnValues& column : reading.columns) {
        ColumnSpec setting;
        setting.width = column.width;
        setting.align = column.align;
        grid.columnSpecs.push_back(setting);
    }
    if (reading.caption != nullptr) {
        TFlowCell& pairCell = reading.pair->cell();
        TTableBlock& table = static_cast<TTableBlock&>(pairCell.addBlock(std::move(tableOwned)));
        // The caption came first; a caption below moves after the table.
        if (reading.captionBelow)
            std::rotate(pairCell.items.begin(), pairCell.items.end() - 1, pairCell.items.end());
        reading.pair->adopt(table, *reading.caption, reading.captionBelow);
        cell_->addBlock(std::move(pairOwned));
    } else {
        cell_->addBlock(std::move(tableOwned));
    }
    if (isEnd(Tag::Table))
        next();
}

// The table's entry and its blocks, made anew when a style sheet between the TABLE tag and the
// first row changed what applies to the table (the report puts its sheet there).
void HtmlReading::makeTable(TableReading& reading) {
    popTo(reading.stackSize);
    stack_.push(reading.identity);
    reading.tableOwned = std::make_unique<TTableBlock>(document_, top(), reading.attributes);
    reading.tableOwned->setTextAlignment(reading.around);
    reading.pairOwned = std::make_unique<TCaptionedTableBlock>(document_, top());
    // Depths as if captioned: the block is added to its cell only at the end.
    reading.pairOwned->cell().setDepth(reading.depth + 1);
    reading.tableOwned->cell().setDepth(reading.depth + 2);
    reading.table = reading.tableOwned.get();
    reading.pair = reading.pairOwned.get();
    reading.restyle = false;
}

void HtmlReading::restyleTable(TableReading& reading) {
    if (!reading.restyle)
        return;
    reading.restyle = false;
    if (reading.caption != nullptr || !reading.table->grid().rows.empty() || reading.inGroup)
        return;
    closeSection();
    cell_ = reading.outerCell;
    makeTable(reading);
}

void HtmlReading::readTablePart(TableReading& reading, const SymbolSet& cellTerm) {
    if (!token_.end && (token_.tag == Tag::Tr || token_.tag == Tag::Td || token_.tag == Tag::Th ||
                        token_.tag == Tag::Caption || token_.tag == Tag::Thead ||
                        token_.tag == Tag::Tbody || token_.tag == Tag::Tfoot)) {
        restyleTable(reading);
    }
    const Tag tag = token_.tag;
    if (token_.end) {
        if (tag == Tag::Tr) {
            endRow(reading);
            next();
        } else if (IsRowGroup(tag)) {
            endRow(reading);
            endGroup(reading);
            next();
        } else if (tag == Tag::Colgroup) {
            reading.groupDefaults = {};
            next();
        } else if (tag == Tag::Td || tag == Tag::Th || tag == Tag::Caption) {
            next();
        } else {
            readBetweenRows(reading, cellTerm);
        }
        return;
    }
    switch (tag) {
        case Tag::Caption:
            readCaption(reading, cellTerm);
            return;
        case Tag::Colgroup:
            reading.groupDefaults = ReadColumnValues(attributes(), {});
            next();
            return;
        case Tag::Col: {
            const ColumnValues values = ReadColumnValues(attributes(), reading.groupDefaults);
            for (int i = 0;
                 i < std::min(values.span, 100) && reading.columns.size() < kMaxColumnSpecs; ++i) {
                reading.columns.push_back(values);
            }
            reading.map.setWidth(static_cast<int>(reading.columns.size()));
            next();
            return;
        }
        case Tag::Thead:
        case Tag::Tbody:
        case Tag::Tfoot:
            endRow(reading);
            endGroup(reading);
            reading.groupStackSize = stack_.size();
            reading.inGroup = true;
            pushElement(tag);
            reading.kind = tag == Tag::Thead   ? RowKind::head
                           : tag == Tag::Tfoot ? RowKind::foot
                                               : RowKind::body;
            next();
            return;
        case Tag::Tr:
            startRow(reading);
            next();
            return;
        case Tag::Td:
        case Tag::Th:
            if (reading.row == nullptr)
                startRow(reading);
            readCell(reading, cellTerm);
            return;
        case Tag::Unknown:
            next();
            return;
        default:
            if (token_.isSingleSpace()) {
                next();
                return;
            }
            readBetweenRows(reading, cellTerm);
            return;
    }
}

// Anything else between the table's own tags is content of the cell that holds the table.
void HtmlReading::readBetweenRows(TableReading& reading, const SymbolSet& cellTerm) {
    cell_ = reading.outerCell;
    if (IsTableInnerTag(token_.tag)) {
        next();
        return;
    }
    if (is(Tag::Style))
        reading.restyle = true;
    dispatchBody(cellTerm);
}

void HtmlReading::startRow(TableReading& reading) {
    endRow(reading);
    closeSection();
    cell_ = reading.outerCell;
    reading.rowStackSize = stack_.size();
    const bool fromTag = is(Tag::Tr);
    RowAttributes attributes;
    reading.rowAlign.clear();
    reading.rowValign.clear();
    if (fromTag) {
        pushElement(Tag::Tr);
        attributes.bgColour = std::string(this->attributes().text(Attr::BgColor));
        attributes.background = std::string(this->attributes().text(Attr::Background));
        attributes.height = this->attributes().length(Attr::Height);
        reading.rowAlign = std::string(this->attributes().text(Attr::Align));
        reading.rowValign = std::string(this->attributes().text(Attr::VAlign));
        applyAlign(reading.rowAlign);
    } else {
        stack_.push(StackElement{"tr", "", "", "", "", nullptr});
    }
    auto row = std::make_unique<TTableRow>(attributes, top(), reading.kind);
    reading.row = row.get();
    reading.table->grid().rows.push_back(std::move(row));
    ++reading.rowIndex;
}

void HtmlReading::endRow(TableReading& reading) {
    if (reading.row == nullptr)
        return;
    closeSection();
    cell_ = reading.outerCell;
    popTo(reading.rowStackSize);
    reading.row = nullptr;
}

void HtmlReading::endGroup(TableReading& reading) {
    if (!reading.inGroup)
        return;
    popTo(reading.groupStackSize);
    reading.inGroup = false;
    reading.kind = RowKind::body;
}

void HtmlReading::readCell(TableReading& reading, const SymbolSet& cellTerm) {
    const Tag tag = token_.tag;
    endOpenLink(token_.position);
    closeSection();
    const std::size_t stackSize = stack_.size();
    CellAttributes values = ReadCellAttributes(attributes());
    const int column = reading.map.place(reading.rowIndex, values.colSpan, values.rowSpan);
    const ColumnValues* setting = column >= 0 && column < static_cast<int>(reading.columns.size())
                                      ? &reading.columns[static_cast<std::size_t>(column)]
                                      : nullptr;
    pushElement(tag);
    const std::string align(attributes().text(Attr::Align));
    if (!align.empty())
        applyAlign(align);
    else if (setting != nullptr && !setting->align.empty())
        applyAlign(setting->align);
    else if (top().textAlign() == TextAlignment::none)
        applyAlign(tag == Tag::Th ? "center" : "left");
    if (values.valign.empty())
        values.valign =
            setting != nullptr && !setting->valign.empty() ? setting->valign : reading.rowValign;
    TTableBlock& table = *reading.table;
    auto cell = std::make_unique<TTableCell>(&table, table.cell().depth() + 1, values, top());
    if (cell->width.set())
        cell->noWrap = false;  // NOWRAP holds only for a cell without a fixed width
    cell_ = cell->content.get();
    reading.row->add(std::move(cell));
    next();
    ++nesting_;
    readBody(cellTerm);
    closeSection();
    endOpenLink(token_.position);
    popTo(stackSize);
    cell_ = reading.outerCell;
    --nesting_;
    if (isEnd(Tag::Td) || isEnd(Tag::Th))
        next();
}

void HtmlReading::readCaption(TableReading& reading, const SymbolSet& cellTerm) {
    endRow(reading);
    closeSection();
    const std::size_t stackSize = stack_.size();
    pushElement(Tag::Caption);
    const std::string align = LowerTrimmed(attributes().text(Attr::Align));
    if (reading.caption == nullptr) {
        reading.captionBelow = align == "bottom";
        reading.caption =
            &reading.pair->cell().addBlock(std::make_unique<TBlock>(document_, top()));
    }
    cell_ = &reading.caption->cell();
    next();
    ++nesting_;
    readBody(cellTerm);
    closeSection();
    popTo(stackSize);
    cell_ = reading.outerCell;
    --nesting_;
    if (isEnd(Tag::Caption))
        next();
}

}  // namespace kelvor::engine
