-- The catalogue of a head office at scale, for the volume-data generator:
-- house parameters, operators, accounts, taxes, boards and draw operators,
-- lotteries, special plays, regions and municipalities, sellers in groups
-- with their cashiers, terminals and taxes.
--
-- psql variables: vendedores, loterias (how many of each), semilla.

CREATE FUNCTION pg_temp.azar(clave bigint, sal integer, n integer) RETURNS integer
LANGUAGE sql IMMUTABLE PARALLEL SAFE
AS 'SELECT ((hashint8extended(clave, sal) & 2147483647) % n)::integer';

INSERT INTO parametrosbanca (id, msgticket, tiempo_anula, name_duroz, tasa_venta, tasa_premio, montom)
VALUES (1, 'Revise su ticket. Premios caducan a los 5 dias', 5, 'BANCA VOLUMEN', 2, 3, 5);

INSERT INTO operador (operador, nombreope, claveope, permisooperador) VALUES
  ('ADMIN', 'Administrador', 'admin2007',
   (SELECT string_agg(lpad(n::text, 2, '0') || '-', '' ORDER BY n) FROM generate_series(1, 31) n) || 'F1-'),
  ('OPER1', 'Operador de Taquilla', 'oper2007', '14-17-19-22-27-');

INSERT INTO cuentas (codigo_cuenta, banco_cuenta, nro_cuenta)
SELECT lpad(n::text, 3, '0'), b, '01' || lpad((n * 7919)::text, 18, '0')
FROM unnest(ARRAY['Banco de Venezuela', 'Banesco', 'Banco Mercantil', 'Banco Provincial',
                  'Bancaribe', 'Caja Chica']) WITH ORDINALITY AS z(b, n);

INSERT INTO impuesto (codigo_impuesto, descri_impuesto, aplica_impuesto, porcentaje_impuesto) VALUES
  ('IMUN', 'Impuesto Municipal', 'Ventas', 1.5),
  ('ISLR', 'Retencion sobre premios', 'Premiación', 16);

-- The lottery houses: each has a board, a draw operator, and three draws
-- a day (A, B, C) as long as lotteries are wanted.
CREATE TEMP TABLE g_casas AS
SELECT n, casa FROM unnest(ARRAY['ZULIA', 'CARACAS', 'TACHIRA', 'LARA', 'ORIENTE', 'ZAMORANO',
                                 'MARGARITA', 'GUAYANA', 'LLANOS', 'CENTRO', 'FALCON', 'MERIDA',
                                 'CARABOBO', 'ARAGUA', 'MONAGAS', 'SUCRE', 'BARINAS', 'TRUJILLO',
                                 'YARACUY', 'COJEDES', 'APURE', 'PORTUGUESA', 'DELTA', 'AMAZONAS'])
                   WITH ORDINALITY AS z(casa, n);

INSERT INTO juntas (codigo_junta, descripcion_junta, tasa_junta)
SELECT lpad(n::text, 3, '0'), 'Beneficencia de ' || initcap(casa), 4 + n % 3
FROM g_casas WHERE n <= (:loterias + 2) / 3;

INSERT INTO operadoras (codigo_operadora, descripcion_operadora)
SELECT lpad(n::text, 3, '0'), 'Sorteos ' || initcap(casa) || ' C.A.'
FROM g_casas WHERE n <= (:loterias + 2) / 3;

-- Lottery k belongs to house (k-1)/3+1 and draws A, B or C; one house in
-- five rests on Sunday; draws close on quarter hours between 12:00 and 20:00.
INSERT INTO loterias (cod_lot, desc_lot, codigo_junta, codigo_operadora, impuesto, juegaespecial, juegadigito,
                      dia_1, dia_2, dia_3, dia_4, dia_5, dia_6, dia_7, hora_1, hora_2, hora_3, hora_4,
                      hora_5, hora_6, hora_7,
                      minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter,
                      p_tri_1, p_ter_1, p_ter_2, montom_digito, lim_digito, comi_digito, premio_digito)
SELECT lpad(k::text, 3, '0'), left('TRIPLE ' || c.casa || ' ' || s.sorteo, 25),
       lpad(c.n::text, 3, '0'), lpad(c.n::text, 3, '0'), 2 + c.n % 2,
       CASE WHEN c.n % 2 = 1 THEN 'S' ELSE 'N' END, 'S',
       'S', 'S', 'S', 'S', 'S', 'S', x.domingo,
       h.cierre, h.cierre, h.cierre, h.cierre, h.cierre, h.cierre, CASE WHEN x.domingo = 'S' THEN h.cierre END,
       5, 5, 500, 1000, 15, 15, 600, 60, 20, 2, 300, 10, 7
FROM generate_series(1, :loterias) k
JOIN g_casas c ON c.n = (k - 1) / 3 + 1
CROSS JOIN LATERAL (SELECT (ARRAY['A', 'B', 'C'])[(k - 1) % 3 + 1] AS sorteo) s
CROSS JOIN LATERAL (SELECT CASE WHEN c.n % 5 = 0 THEN 'N' ELSE 'S' END AS domingo) x
CROSS JOIN LATERAL (SELECT time '12:00' + ((k - 1) % 3 * 14 + c.n % 4) * interval '15 minutes' + interval '30 minutes'
                           AS cierre) h;

INSERT INTO jugadas (especial, desc_espec) VALUES ('01', 'TRIPLE ZODIACAL'), ('02', 'TRIPLE CHINO');
INSERT INTO jugadeta (especial, jugada, desc_jugada)
SELECT CASE WHEN n <= 12 THEN '01' ELSE '02' END, lpad(n::text, 2, '0'),
       CASE WHEN n <= 12 THEN 'SIGNO ' ELSE 'ANIMAL ' END || lpad(n::text, 2, '0')
FROM generate_series(1, 24) n;

INSERT INTO gobernacion (codigo_gobernacion, descri_gobernacion)
SELECT lpad(n::text, 2, '0'), initcap(casa) FROM g_casas;

INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia, tasa_alcaldia)
SELECT lpad(g.n::text, 2, '0') || m, lpad(g.n::text, 2, '0'), 'Municipio ' || initcap(g.casa) || ' ' || m,
       0.5 + (g.n + m) % 4 * 0.25
FROM g_casas g CROSS JOIN generate_series(1, 5) m;

-- Sellers: one in twenty leads a group of the nineteen that follow; one in
-- a hundred is inactive.
INSERT INTO vendedor (codvendedor, nombre_vend, direccion_vend, telefono_vend, clave_vend, estado_vend,
                      tipode_pago, perteneceal, comision_jefe, codigo_alcaldia, codigo_gobernacion,
                      rif, puertoprinter, tiempoanular,
                      minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter,
                      p_tri_1, p_ter_1, p_ter_2, montom_digito, lim_digito, comi_digito, premio_digito)
SELECT lpad(i::text, 5, '0'),
       (ARRAY['Agencia', 'Taquilla', 'Loteria', 'Centro de Apuestas'])[1 + i % 4] || ' '
         || (ARRAY['La Fortuna', 'El Trebol', 'La Suerte', 'El Milagro', 'Buena Vista', 'Los Angeles',
                   'La Estrella', 'El Dorado', 'San Jose', 'La Esperanza'])[1 + pg_temp.azar(i, :semilla, 10)]
         || ' ' || i,
       'Calle ' || (1 + i % 90) || ', local ' || i, '02' || lpad((i * 104729 % 100000000)::text, 9, '0'),
       'c' || lpad(i::text, 5, '0'),
       CASE WHEN i % 100 = 99 THEN '2' ELSE '1' END,
       pg_temp.azar(i, :semilla + 1, 4)::text,
       CASE WHEN i % 20 <> 1 THEN lpad((i - (i - 1) % 20)::text, 5, '0') END,
       CASE WHEN i % 20 <> 1 THEN 2 ELSE 0 END,
       a.codigo_alcaldia, a.codigo_gobernacion,
       'J-' || lpad((i * 7919 % 100000000)::text, 8, '0') || '-' || i % 10, 'LPT1', 10,
       5, 5, 500, 1000, 15, 15, 600, 60, 20, 2, 300, 10, 7
FROM generate_series(1, :vendedores) i
JOIN (SELECT codigo_alcaldia, codigo_gobernacion,
             row_number() OVER (ORDER BY codigo_gobernacion, codigo_alcaldia) - 1 AS n
        FROM alcaldia) a ON a.n = pg_temp.azar(i, :semilla + 2, 120)
ORDER BY i;

INSERT INTO usuarios (codvendedor, usuario, nombre_usua, clave_usua, permisos, puertoprinter)
SELECT v.codvendedor, 'TAQ0' || n, 'Cajero ' || n || ' ' || v.codvendedor, lpad((n * 1000 + 7)::text, 4, '0'),
       CASE n WHEN 1 THEN 'F2-CF3-AF4-PF5-CF6-PF7-RF8-FF10-F11-F12-A.-CB.-TC.-RD.-SR.-R' ELSE 'F2-CF5-C' END,
       'LPT1'
FROM vendedor v CROSS JOIN generate_series(1, 2) n;

INSERT INTO seriales (serial, codvendedor)
SELECT 'QV-' || codvendedor || '-' || right(usuario, 2), codvendedor FROM usuarios;

INSERT INTO vend_imp (codvendedor, codigo_impuesto, porcentaje_impuesto, muestramonitor, aplica_impuesto)
SELECT codvendedor, 'IMUN', 1.5, '1', 'Venta' FROM vendedor
UNION ALL
SELECT codvendedor, 'ISLR', 16, '1', 'Premio' FROM vendedor;

DROP TABLE g_casas;
DROP FUNCTION pg_temp.azar(bigint, integer, integer);
