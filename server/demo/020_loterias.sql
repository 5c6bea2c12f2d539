-- Demo data: boards, draw operators, a dozen lotteries with their sale days
-- and closing hours, and two special plays with their details.

INSERT INTO juntas (codigo_junta, descripcion_junta, tasa_junta) VALUES
  ('001', 'Beneficencia Publica del Zulia', 5),
  ('002', 'Beneficencia del Distrito Capital', 6),
  ('003', 'Loteria del Tachira', 5.5),
  ('004', 'Beneficencia del Estado Lara', 4.5),
  ('005', 'Beneficencia de Oriente', 5);

INSERT INTO operadoras (codigo_operadora, descripcion_operadora) VALUES
  ('001', 'Sorteos del Lago C.A.'),
  ('002', 'Inversiones Azar Capital C.A.'),
  ('003', 'Operadora Los Andes S.A.'),
  ('004', 'Juegos de Oriente C.A.');

-- Three daily draws per lottery house; two lotteries skip Sunday and one
-- only draws on weekends.
INSERT INTO loterias (cod_lot, desc_lot, codigo_junta, codigo_operadora, impuesto, juegaespecial, juegadigito,
                      dia_1, dia_2, dia_3, dia_4, dia_5, dia_6, dia_7, hora_1, hora_2, hora_3, hora_4,
                      hora_5, hora_6, hora_7)
SELECT l.cod_lot, l.desc_lot, l.junta, l.operadora, l.impuesto, l.especial, 'S',
       d[1], d[2], d[3], d[4], d[5], d[6], d[7],
       CASE WHEN d[1] = 'S' THEN l.cierre END, CASE WHEN d[2] = 'S' THEN l.cierre END,
       CASE WHEN d[3] = 'S' THEN l.cierre END, CASE WHEN d[4] = 'S' THEN l.cierre END,
       CASE WHEN d[5] = 'S' THEN l.cierre END, CASE WHEN d[6] = 'S' THEN l.cierre END,
       CASE WHEN d[7] = 'S' THEN l.cierre END
FROM (VALUES
  ('001', 'TRIPLE ZULIA A',    '001', '001', 2.5, 'S', time '12:30', 'SSSSSSS'),
  ('002', 'TRIPLE ZULIA B',    '001', '001', 2.5, 'S', time '16:30', 'SSSSSSS'),
  ('003', 'TRIPLE ZULIA C',    '001', '001', 2.5, 'S', time '19:00', 'SSSSSSS'),
  ('004', 'TRIPLE CARACAS A',  '002', '002', 3,   'S', time '12:45', 'SSSSSSS'),
  ('005', 'TRIPLE CARACAS B',  '002', '002', 3,   'S', time '16:45', 'SSSSSSS'),
  ('006', 'TRIPLE CARACAS C',  '002', '002', 3,   'S', time '19:15', 'SSSSSSS'),
  ('007', 'TRIPLE TACHIRA A',  '003', '003', 2,   'N', time '13:00', 'SSSSSSS'),
  ('008', 'TRIPLE TACHIRA B',  '003', '003', 2,   'N', time '16:00', 'SSSSSSS'),
  ('009', 'TRIPLE TACHIRA C',  '003', '003', 2,   'N', time '22:00', 'SSSSSSS'),
  ('010', 'CHANCE ORIENTE',    '005', '004', 2.5, 'N', time '13:15', 'SSSSSSN'),
  ('011', 'TRIPLE LARA',       '004', '003', 2,   'N', time '17:00', 'SSSSSSN'),
  ('012', 'TRIPLE ZAMORANO',   '002', '002', 3,   'N', time '20:00', 'NNNNNSS')
) AS l(cod_lot, desc_lot, junta, operadora, impuesto, especial, cierre, dias)
CROSS JOIN LATERAL (SELECT regexp_split_to_array(l.dias, '') AS d) x;

-- The usual sale parameters: triples pay 600 times, terminales 60 (the
-- "cola" 20), the digit 7.
UPDATE loterias SET
  minimo_tri = 5, minimo_ter = 5, lim_tri = 500, lim_ter = 1000, comi_tri = 15, comi_ter = 15,
  p_tri_1 = 600, p_tri_2 = 0, p_tri_3 = 0, p_ter_1 = 60, p_ter_2 = 20, p_ter_3 = 0,
  montom_digito = 2, lim_digito = 300, comi_digito = 10, premio_digito = 7;

INSERT INTO jugadas (especial, desc_espec) VALUES
  ('01', 'TRIPLE ZODIACAL'),
  ('02', 'TRIPLE CHINO');

-- Detail codes are unique across special plays: tickets name a detail by its
-- code alone.
INSERT INTO jugadeta (especial, jugada, desc_jugada)
SELECT '01', lpad(n::text, 2, '0'), s
FROM unnest(ARRAY['ARIES', 'TAURO', 'GEMINIS', 'CANCER', 'LEO', 'VIRGO', 'LIBRA', 'ESCORPIO',
                  'SAGITARIO', 'CAPRICORNIO', 'ACUARIO', 'PISCIS']) WITH ORDINALITY AS z(s, n)
UNION ALL
SELECT '02', lpad((n + 12)::text, 2, '0'), s
FROM unnest(ARRAY['RATA', 'BUEY', 'TIGRE', 'CONEJO', 'DRAGON', 'SERPIENTE', 'CABALLO', 'CABRA',
                  'MONO', 'GALLO', 'PERRO', 'CERDO']) WITH ORDINALITY AS z(s, n);
