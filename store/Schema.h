#pragma once
// The offers file's schema, step by step as each shipped. A step's text never changes once it
// has shipped: it names its own columns rather than reading today's field table, so a file
// written by any released version upgrades the same way. A new column or table comes only in a
// new step at the end.

#include <QString>
#include <vector>

namespace plumcrest::store {

// Step i takes the schema from version i to version i + 1.
std::vector<QString> ShippedSchemaSteps();

} // namespace plumcrest::store
