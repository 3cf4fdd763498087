object QGraphics1: TQGraphics
  Expressions.Strings = (
    '1')
  Colors.Strings = (
    '255')
  Steps.Strings = (
    '1')
  Cross = False
  DestinationWidth = 64
  DestinationHeight = 48
end
