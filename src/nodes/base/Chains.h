#pragma once

namespace php {

class ParserBase;

// Operator chains (`a . b . c ...`, `a ? b : c ? d : e ...`) nest along the
// operand each node checks first. While that operand is being checked, the
// node and every chain node above it have folded nothing yet, so a lookup
// from inside it may go straight to the top of the chain instead of climbing
// every level: the first operand's predecessor is that top node (its anchor).
namespace chains {

// The operand a chain node checks first (null for any other node).
ParserBase* firstOperand(ParserBase* node);

// Where lookups from `node`'s first operand go: the anchor `node` received
// when it is itself the first operand of a chain node, else `node`.
ParserBase* anchorBelow(ParserBase* node);

// The adoption steps of the first pass (file, parent, predecessor, link,
// flow) for `node`'s first operand, with `anchor` as its predecessor.
void linkFirstOperand(ParserBase* node, ParserBase* child, ParserBase* anchor);

}  // namespace chains
}  // namespace php
