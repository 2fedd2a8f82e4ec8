s/\(in [0-9]+\.[0-9]{2} sec\./(in S.SS sec./
