-- The kept sales sums as they are counted again from the sales themselves:
-- what ventas_dia (140) and ventas_jugadas (170) hold when their triggers
-- have seen every write. A rebuild of a date after writes with the triggers
-- off, and any check of the kept sums, read these instead of spelling the
-- count out again (a condition on the date or the seller is applied before
-- the grouping, so one day reads only that day's rows).
CREATE VIEW ventas_dia_recuento AS
  SELECT codvendedor, fechaticket, count(*) AS activos, sum(montoticket) AS venta
    FROM tickets
   WHERE estadoticket = 'ACT'
   GROUP BY codvendedor, fechaticket;

CREATE VIEW ventas_jugadas_recuento AS
  SELECT fechaticket, cod_lot, codvendedor, clase_saldo(tipo_jugada, numero) AS tipo_jugada,
         coalesce(especial, '') AS especial, count(*) AS jugadas, sum(monto) AS venta
    FROM jugadasticket
   GROUP BY 1, 2, 3, 4, 5;
