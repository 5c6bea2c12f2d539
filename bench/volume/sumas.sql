-- The sales sums, counted from the sales the sessions wrote with the sales
-- triggers off (bench/generate-volume), while other sessions build the
-- indexes.
SET search_path = public, proc;
SET LOCAL work_mem = '256MB';
SELECT clock_timestamp() AS t0 \gset
INSERT INTO ventas_dia SELECT * FROM ventas_dia_recuento;
INSERT INTO generador.tiempos VALUES ('ventas_dia', :'t0', clock_timestamp());
SELECT clock_timestamp() AS t0 \gset
INSERT INTO ventas_jugadas SELECT * FROM ventas_jugadas_recuento;
INSERT INTO generador.tiempos VALUES ('ventas_jugadas', :'t0', clock_timestamp());
