// placeholder until the collection is generated

